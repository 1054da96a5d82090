# Test files of core/run.

# Test files of core/checker.

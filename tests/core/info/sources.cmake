# Test files of core/info.

# Test files of core/aids.

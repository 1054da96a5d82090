# Sources of core/checker.

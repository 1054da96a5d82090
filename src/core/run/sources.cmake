# Sources of core/run.

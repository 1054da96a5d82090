# Sources of core/info.

# Sources of core/aids.

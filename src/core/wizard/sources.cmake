# Sources of core/wizard.

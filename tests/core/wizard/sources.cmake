# Test files of core/wizard.

# Window tests of the info area (target_sources(app_tests PRIVATE ...)).

# Window tests of the help area (target_sources(app_tests PRIVATE ...)).

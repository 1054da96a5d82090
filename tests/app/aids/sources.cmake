# Window tests of the aids area (target_sources(app_tests PRIVATE ...)).

# Window tests of the wizard area (target_sources(app_tests PRIVATE ...)).

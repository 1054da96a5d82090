# Sources of the window's info area (target_sources(quillet_app PRIVATE ...)).

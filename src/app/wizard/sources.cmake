# Sources of the window's wizard area (target_sources(quillet_app PRIVATE ...)).

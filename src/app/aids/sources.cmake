# Sources of the window's aids area (target_sources(quillet_app PRIVATE ...)).

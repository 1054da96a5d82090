# Sources of the window's help area (target_sources(quillet_app PRIVATE ...)).

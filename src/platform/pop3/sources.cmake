# POP3 client sources (target_sources(quillet_platform PRIVATE ...)).

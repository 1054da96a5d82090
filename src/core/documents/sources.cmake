# Sources of core/documents.

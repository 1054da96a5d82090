# Test files of core/documents.

# fuzz_documents: the open request of a second launch, and the document it opens.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
quillet_fuzz_target(fuzz_documents openRequestInput ${CMAKE_CURRENT_LIST_DIR}/documents_fuzz.cpp)

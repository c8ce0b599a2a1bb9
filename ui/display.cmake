# The result window and its Tree-of-Life diagram. Included from ui/CMakeLists.txt.
target_sources(tavrel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frmDisplay.h
    ${CMAKE_CURRENT_LIST_DIR}/frmDisplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/treediagram.h
    ${CMAKE_CURRENT_LIST_DIR}/treediagram.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diagramlabel.h
    ${CMAKE_CURRENT_LIST_DIR}/diagramlabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/displaylabel.h
    ${CMAKE_CURRENT_LIST_DIR}/displaylabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/displaywidgets.h
    ${CMAKE_CURRENT_LIST_DIR}/displaywidgets.cpp
)

# The chakra pictures of the two image lists, in the order the lists hold them.
set(_chakras ${PROJECT_SOURCE_DIR}/assets/chakras)
qt_add_resources(tavrel_ui tavrel_chakras
    PREFIX /chakras
    BASE ${_chakras}
    FILES
        "${_chakras}/0 Crown Chakra.jpg"
        "${_chakras}/1 Third Eye Chakra.jpg"
        "${_chakras}/2 Throat Chakra.jpg"
        "${_chakras}/3 Heart Chakra.jpg"
        "${_chakras}/4 Navel Chakra.jpg"
        "${_chakras}/5 Sacral Chakra.jpg"
        "${_chakras}/6 Root Chakra.jpg"
)

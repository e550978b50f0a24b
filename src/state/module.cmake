# ModuloTipolab: the shared state, the windows' lifetimes and the shared routines,
# with the dialogs every window shows through. Knows no window class.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets)
add_library(tipolab_module STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_dialogs.h
  ${CMAKE_CURRENT_LIST_DIR}/window_id.h
  ${CMAKE_CURRENT_LIST_DIR}/modulo_tipolab.cpp ${CMAKE_CURRENT_LIST_DIR}/modulo_tipolab.h)
target_link_libraries(tipolab_module PUBLIC tipolab_state Qt6::Widgets)
set_target_properties(tipolab_module PROPERTIES AUTOMOC ON)

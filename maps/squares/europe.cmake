# Europe map: cell table, marking run, report, window.
target_sources(veltrix_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Carte_Europe.cpp)

# Europe map: cell table, description and marking run (headless), report and window.
target_sources(veltrix_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Cellules_Europe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Description_Europe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Marque_Carte_Europe.cpp
)
target_sources(veltrix_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Rapport_Europe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Carte_Europe.cpp
)

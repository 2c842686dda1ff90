# Field maps: the nine windows, their chooser and marking.
target_sources(veltrix_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Cartes_Champs.cpp)
target_sources(veltrix_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/Select_Locator.cpp)

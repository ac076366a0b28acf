# The monitor view.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/block_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/block_shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hover_debounce.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hover_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_view_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/receiver_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_pair.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_draw_blocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_draw_extras.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_draw_receivers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_hit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_hit_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_mouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_render.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_tips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zoom_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zoom_walk.cpp
)

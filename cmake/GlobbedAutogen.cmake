# Automatic moc runs again only when a header it already knows changes; a new
# header that declares a Qt object, picked up by a glob, would go unseen in an
# existing build. When the globbed list of a folder changes, forget the moc
# stamps of the given targets so that the next build scans every header.
function(kelvane_rescan_moc_on_new_files sources)
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/globbed-sources.txt")
  set(old_list "")
  if(EXISTS "${list_file}")
    file(READ "${list_file}" old_list)
  endif()
  if(NOT old_list STREQUAL sources)
    file(WRITE "${list_file}" "${sources}")
    foreach(target IN LISTS ARGN)
      file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
    endforeach()
  endif()
endfunction()

# Run last by `cmake --install`: makes the directories holding what was
# installed readable by everyone (0755). CMake creates them with the
# installing user's umask, so under umask 077 no other user could run the
# program. The prefix itself is left alone unless it is a staging area
# (DESTDIR, as CPack uses), which is entirely ours.
set(destdir "$ENV{DESTDIR}")
set(top "${destdir}${CMAKE_INSTALL_PREFIX}")
string(LENGTH "${top}/" top_length)
set(dirs)
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  # The manifest names files with DESTDIR under `cmake --install`, without
  # it under CPack.
  string(FIND "${file}" "${destdir}" at)
  if(destdir AND NOT at EQUAL 0)
    set(file "${destdir}${file}")
  endif()
  get_filename_component(dir "${file}" DIRECTORY)
  string(SUBSTRING "${dir}/" 0 ${top_length} head)
  while(head STREQUAL "${top}/" AND NOT dir STREQUAL top)
    list(APPEND dirs "${dir}")
    get_filename_component(dir "${dir}" DIRECTORY)
    string(SUBSTRING "${dir}/" 0 ${top_length} head)
  endwhile()
endforeach()
if(destdir)
  list(APPEND dirs "${top}")
endif()
list(REMOVE_DUPLICATES dirs)
foreach(dir IN LISTS dirs)
  file(CHMOD "${dir}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
       WORLD_READ WORLD_EXECUTE)
endforeach()

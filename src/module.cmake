# The plug-in library as the host loads it: zanret2019_64, and with ZANRET_ALL_SDKS the builds for
# the older hosts. Every build exports only the six library functions (resources/exports.map).

set(ZANRET_RESOURCES_DIR ${CMAKE_CURRENT_SOURCE_DIR}/resources)

# The string table and manifest of resources/zanret.rc as C++, for the resource table the library
# hands to the Win32 layer when it is loaded.
file(STRINGS ${ZANRET_RESOURCES_DIR}/zanret.rc ZANRET_RC_LINES)
set(ZANRET_STRING_ENTRIES "")
set(ZANRET_MANIFEST_ID "")
set(ZANRET_MANIFEST_FILE "")
foreach(line IN LISTS ZANRET_RC_LINES)
  if(line MATCHES "^[ \t]*([0-9]+)[ \t]+\"(.*)\"[ \t]*$")
    string(APPEND ZANRET_STRING_ENTRIES "    {${CMAKE_MATCH_1}, L\"${CMAKE_MATCH_2}\"},\n")
  elseif(line MATCHES "^[ \t]*([0-9]+)[ \t]+24[ \t]+\"(.*)\"[ \t]*$")
    set(ZANRET_MANIFEST_ID ${CMAKE_MATCH_1})
    set(ZANRET_MANIFEST_FILE ${ZANRET_RESOURCES_DIR}/${CMAKE_MATCH_2})
  endif()
endforeach()
file(READ ${ZANRET_MANIFEST_FILE} ZANRET_MANIFEST_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${ZANRET_RESOURCES_DIR}/zanret.rc ${ZANRET_MANIFEST_FILE})
set(ZANRET_RESOURCE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/resources/ModuleResources.cpp)
configure_file(${ZANRET_RESOURCES_DIR}/ModuleResources.cpp.in ${ZANRET_RESOURCE_SOURCE} @ONLY)

zanret_glob(ZANRET_MODULE_SOURCES plugin/module)

# A copy of one of the plug-in's static libraries for another host SDK: the same sources and
# settings, compiled for that SDK's year and linked against its host library.
function(zanret_clone_for_sdk target year sdk)
  set(clone ${target}_${year})
  get_target_property(sources ${target} SOURCES)
  add_library(${clone} STATIC ${sources})
  foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES COMPILE_DEFINITIONS COMPILE_OPTIONS
                   COMPILE_FEATURES AUTOMOC AUTORCC AUTOUIC)
    get_target_property(value ${target} ${property})
    if(value)
      set_target_properties(${clone} PROPERTIES ${property} "${value}")
    endif()
  endforeach()
  get_target_property(libraries ${target} LINK_LIBRARIES)
  set(mapped)
  foreach(library IN LISTS libraries)
    if(library STREQUAL "hostsdk")
      list(APPEND mapped ${sdk})
    elseif(library MATCHES "^zanret_(repository|core|ui)$")
      list(APPEND mapped ${library}_${year})
    else()
      list(APPEND mapped ${library})
    endif()
  endforeach()
  target_link_libraries(${clone} PUBLIC ${mapped})
  # What reaches only the users of the library (such as Qt's compiled-in resources) is shared as it is.
  get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
  foreach(item IN LISTS interface)
    if(NOT item IN_LIST libraries)
      set_property(TARGET ${clone} APPEND PROPERTY INTERFACE_LINK_LIBRARIES "${item}")
    endif()
  endforeach()
  target_compile_definitions(${clone} PUBLIC ZANRET_SDK_YEAR=${year})
endfunction()

# The module for one host SDK. The plug-in's own libraries go in whole: the module is the plug-in.
function(zanret_add_module year sdk)
  set(suffix "")
  if(NOT year EQUAL 2019)
    set(suffix _${year})
    foreach(target zanret_repository zanret_core zanret_ui)
      zanret_clone_for_sdk(${target} ${year} ${sdk})
    endforeach()
  endif()
  set(name zanret${year}_64)
  add_library(${name} MODULE ${ZANRET_MODULE_SOURCES} ${ZANRET_RESOURCE_SOURCE})
  set_target_properties(${name} PROPERTIES PREFIX "")
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE ZANRET_SDK_YEAR=${year})
  target_link_libraries(${name} PRIVATE zanret_ui${suffix} zanret_core${suffix} zanret_repository${suffix} ${sdk}
    ${CMAKE_DL_LIBS})
  # The link feature WHOLE_ARCHIVE clashes with the same libraries reached through zanret_ui's own
  # links, so the archives are named once more here, whole.
  target_link_options(${name} PRIVATE
    "LINKER:--whole-archive" $<TARGET_FILE:zanret_core${suffix}> $<TARGET_FILE:zanret_ui${suffix}>
    "LINKER:--no-whole-archive"
    "LINKER:--version-script=${ZANRET_RESOURCES_DIR}/exports.map" "LINKER:--no-undefined")
  set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${ZANRET_RESOURCES_DIR}/exports.map)
endfunction()

if(TARGET zanret_core AND TARGET zanret_ui)
  zanret_add_module(2019 hostsdk)
  set(ZANRET_MODULES 2019)
  if(ZANRET_ALL_SDKS)
    zanret_add_module(2012 hostsdk_narrow)
    foreach(year 2013 2015 2016 2017 2018)
      zanret_add_module(${year} hostsdk)
    endforeach()
    set(ZANRET_MODULES 2012 2013 2015 2016 2017 2018 2019)
  endif()
  # For the end-to-end tests: the host years whose modules are built.
  set_property(GLOBAL PROPERTY ZANRET_MODULE_YEARS ${ZANRET_MODULES})
endif()

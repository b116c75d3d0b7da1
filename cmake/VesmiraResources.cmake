# Builds the translation files and embeds them with the images under the
# resource prefix ":/CDravik/" in the object library vesmira_resources.

set(_res_dir ${CMAKE_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${_res_dir})

# The application's own translations, compiled from resources/translations.
set(_ts_files
  ${CMAKE_SOURCE_DIR}/resources/translations/dravik_en.ts
  ${CMAKE_SOURCE_DIR}/resources/translations/dravik_zh.ts)
set_source_files_properties(${_ts_files} PROPERTIES OUTPUT_LOCATION ${_res_dir})
qt5_add_translation(_app_qm ${_ts_files})

# Qt's own translations. The system's qt_<lang>.qm only names its dependencies
# and cannot be loaded from a resource, so qtbase_<lang>.qm is embedded under
# both names. A file the system lacks is embedded empty (it translates nothing).
find_path(VESMIRA_QT_TRANSLATIONS qtbase_zh_CN.qm
  PATHS /usr/share/qt5/translations ${Qt5_DIR}/../../../../share/qt5/translations
  NO_DEFAULT_PATH)
get_target_property(_lrelease Qt5::lrelease IMPORTED_LOCATION)
set(_qt_qm)
foreach(_pair "qt_en.qm=qtbase_en.qm" "qtbase_en.qm=qtbase_en.qm" "qt_zh_CN.qm=qtbase_zh_CN.qm")
  string(REPLACE "=" ";" _pair "${_pair}")
  list(GET _pair 0 _name)
  list(GET _pair 1 _source)
  set(_out ${_res_dir}/${_name})
  if(VESMIRA_QT_TRANSLATIONS AND EXISTS ${VESMIRA_QT_TRANSLATIONS}/${_source})
    add_custom_command(OUTPUT ${_out}
      COMMAND ${CMAKE_COMMAND} -E copy ${VESMIRA_QT_TRANSLATIONS}/${_source} ${_out}
      DEPENDS ${VESMIRA_QT_TRANSLATIONS}/${_source})
  else()
    add_custom_command(OUTPUT ${_out}
      COMMAND ${_lrelease} -silent ${CMAKE_SOURCE_DIR}/cmake/empty.ts -qm ${_out}
      DEPENDS ${CMAKE_SOURCE_DIR}/cmake/empty.ts)
  endif()
  list(APPEND _qt_qm ${_out})
endforeach()

file(GLOB _images CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/image/*)
set(_qrc ${_res_dir}/cdravik.qrc)
set(_qrc_body "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/CDravik\">\n")
foreach(_f ${_app_qm} ${_qt_qm})
  get_filename_component(_n ${_f} NAME)
  string(APPEND _qrc_body "  <file alias=\"${_n}\">${_f}</file>\n")
endforeach()
foreach(_f ${_images})
  get_filename_component(_n ${_f} NAME)
  string(APPEND _qrc_body "  <file alias=\"image/${_n}\">${_f}</file>\n")
endforeach()
string(APPEND _qrc_body "</qresource>\n</RCC>\n")
file(GENERATE OUTPUT ${_qrc} CONTENT "${_qrc_body}")

set(_qrc_cpp ${_res_dir}/qrc_cdravik.cpp)
add_custom_command(OUTPUT ${_qrc_cpp}
  COMMAND Qt5::rcc -name cdravik ${_qrc} -o ${_qrc_cpp}
  DEPENDS ${_qrc} ${_app_qm} ${_qt_qm} ${_images}
  COMMENT "Embedding translations and images")
add_library(vesmira_resources OBJECT ${_qrc_cpp})
target_link_libraries(vesmira_resources PUBLIC Qt5::Core)
set_target_properties(vesmira_resources PROPERTIES AUTOMOC OFF AUTOUIC OFF)

# Compiles the Qt Linguist sources given after `prefix` with lrelease when the project is
# configured (again whenever one of them changes) and embeds the .qm files in `target` under the
# resource path `prefix`, as the resource `name` (Q_INIT_RESOURCE(name) registers it). The .qm
# files become an ordinary resource source of the target, which a static library carries to the
# program that links it.
function(oru_embed_translations target name prefix)
    set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/i18n)
    file(MAKE_DIRECTORY ${qm_dir})
    get_target_property(lrelease Qt6::lrelease IMPORTED_LOCATION)
    if(NOT lrelease)
        get_target_property(lrelease Qt6::lrelease IMPORTED_LOCATION_RELEASE)
    endif()
    set(qrc "<RCC><qresource prefix=\"${prefix}\">\n")
    foreach(ts IN LISTS ARGN)
        get_filename_component(base ${ts} NAME_WE)
        execute_process(COMMAND ${lrelease} -silent ${ts} -qm ${qm_dir}/${base}.qm
            RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "lrelease failed on ${ts}")
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ts})
        string(APPEND qrc "<file alias=\"${base}.qm\">${qm_dir}/${base}.qm</file>\n")
    endforeach()
    string(APPEND qrc "</qresource></RCC>\n")
    file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc CONTENT "${qrc}")
    qt_add_resources(sources ${CMAKE_CURRENT_BINARY_DIR}/${name}.qrc)
    target_sources(${target} PRIVATE ${sources})
endfunction()

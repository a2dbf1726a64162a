# Engine libraries and the headless programs run without widgets: a target registered with
# brisko_headless() must not reach Qt5::Widgets through anything it links, directly or
# through the libraries it links. Checked once every target is defined, at configure time,
# so a widget slipping into an engine stops the build before anything compiles.

set_property(GLOBAL PROPERTY BRISKO_HEADLESS_TARGETS "")

function(brisko_headless target)
    set_property(GLOBAL APPEND PROPERTY BRISKO_HEADLESS_TARGETS ${target})
endfunction()

# Collects into `out` the libraries `item` names, transitively (a target's own link line,
# then the interfaces of what it links).
function(_brisko_link_closure item property out)
    set(seen "")
    set(pending "")
    if(TARGET ${item})
        get_target_property(direct ${item} ${property})
        if(direct)
            list(APPEND pending ${direct})
        endif()
    endif()
    while(pending)
        list(POP_FRONT pending lib)
        # Private dependencies of static libraries appear as $<LINK_ONLY:name>.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
        if(lib STREQUAL "" OR lib IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${lib})
        if(TARGET ${lib})
            get_target_property(alias ${lib} ALIASED_TARGET)
            if(alias)
                list(APPEND pending ${alias})
            endif()
            get_target_property(more ${lib} INTERFACE_LINK_LIBRARIES)
            if(more)
                list(APPEND pending ${more})
            endif()
        endif()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(brisko_check_headless)
    get_property(targets GLOBAL PROPERTY BRISKO_HEADLESS_TARGETS)
    foreach(target IN LISTS targets)
        _brisko_link_closure(${target} LINK_LIBRARIES closure)
        foreach(lib IN LISTS closure)
            if(lib MATCHES "^Qt5::.*Widgets$" OR lib MATCHES "Qt5Widgets")
                message(FATAL_ERROR
                    "${target} runs headless but its link line reaches ${lib}: "
                    "move the widget code into the folder's widgets library.")
            endif()
        endforeach()
    endforeach()
    list(LENGTH targets count)
    message(STATUS "Headless targets checked: ${count} (no widgets)")
endfunction()

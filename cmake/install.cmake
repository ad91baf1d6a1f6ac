# Installation: headers, libraries with their exported targets, the CMake package (components
# core and qt), a pkg-config file for the core, and the shipped data.
include(CMakePackageConfigHelpers)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/oru
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT devel
    FILES_MATCHING PATTERN "*.hpp"
    PATTERN "qt" EXCLUDE)
install(TARGETS oru_core EXPORT OruCtrlCoreTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT OruCtrlCoreTargets NAMESPACE OruCtrl::
    DESTINATION ${ORU_INSTALL_CMAKEDIR} COMPONENT devel)

if(TARGET oru_qt)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/oru/qt
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/oru COMPONENT devel
        FILES_MATCHING PATTERN "*.hpp")
    install(TARGETS oru_qt EXPORT OruCtrlQtTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(EXPORT OruCtrlQtTargets NAMESPACE OruCtrl::
        DESTINATION ${ORU_INSTALL_CMAKEDIR} COMPONENT devel)
endif()

# Shipped data: the thread tables (with their sources) where a DirSld folder holds them.
install(FILES
    ${PROJECT_SOURCE_DIR}/data/threads/Filet_E.dat
    ${PROJECT_SOURCE_DIR}/data/threads/Filet_I.dat
    ${PROJECT_SOURCE_DIR}/data/threads/SOURCES.md
    DESTINATION ${ORU_INSTALL_DATADIR}/user COMPONENT data)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OruCtrlConfig.cmake.in
    ${PROJECT_BINARY_DIR}/OruCtrlConfig.cmake
    INSTALL_DESTINATION ${ORU_INSTALL_CMAKEDIR}
    PATH_VARS ORU_INSTALL_DATADIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/OruCtrlConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES
    ${PROJECT_BINARY_DIR}/OruCtrlConfig.cmake
    ${PROJECT_BINARY_DIR}/OruCtrlConfigVersion.cmake
    DESTINATION ${ORU_INSTALL_CMAKEDIR} COMPONENT devel)

# pkg-config for the headless core, relocatable: the prefix is found from the file's own place.
file(RELATIVE_PATH ORU_PC_PREFIX_FROM_PCDIR
    "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
set(ORU_PC_LIBDIR "${CMAKE_INSTALL_LIBDIR}")
set(ORU_PC_INCLUDEDIR "${CMAKE_INSTALL_INCLUDEDIR}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/oructrl-core.pc.in
    ${PROJECT_BINARY_DIR}/oructrl-core.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/oructrl-core.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT devel)
if(TARGET oru_qt)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/oructrl-qt.pc.in
        ${PROJECT_BINARY_DIR}/oructrl-qt.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/oructrl-qt.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT devel)
endif()

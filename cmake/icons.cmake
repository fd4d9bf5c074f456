# Where the programs' icon lies as PNG files once resources/ has made them: the Qt layer embeds
# them, the web page carries the small one and the install puts them where desktops look. Named
# here, before any folder is read, so every folder sees the same paths.
set(OAM_ICON_FOLDER ${PROJECT_BINARY_DIR}/resources/icons)
set(OAM_ICON_SIZES 32 256)
set(OAM_ICON_FILES)
foreach(size ${OAM_ICON_SIZES})
    list(APPEND OAM_ICON_FILES ${OAM_ICON_FOLDER}/${size}x${size}/oamcalc.png)
endforeach()

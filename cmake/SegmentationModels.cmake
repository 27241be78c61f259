# The person segmentation models: tools/install-deps.sh fetches them into the model cache and the
# build copies those whose SHA-256 matches data/segmentation-models.sha256 into models/ beside the
# program, and installs them with their licence text into the data folder (and so the Debian
# package). The models are never part of the repository; without them the program runs with the
# background choices disabled.
set(QUENVALOR_MODEL_CACHE ${CMAKE_SOURCE_DIR}/build/model-cache CACHE PATH
    "Where tools/install-deps.sh put the person segmentation models")
file(STRINGS ${CMAKE_SOURCE_DIR}/data/segmentation-models.sha256 _model_lines)
set(QUENVALOR_MODELS_FOUND ON)
foreach(_line IN LISTS _model_lines)
    string(REGEX MATCH "^([0-9a-f]+) +(.+)$" _ignored "${_line}")
    set(_sum ${CMAKE_MATCH_1})
    set(_name ${CMAKE_MATCH_2})
    set(_cached ${QUENVALOR_MODEL_CACHE}/${_name})
    set(_actual "")
    if(EXISTS ${_cached})
        file(SHA256 ${_cached} _actual)
    endif()
    if(_actual STREQUAL _sum)
        configure_file(${_cached} ${CMAKE_BINARY_DIR}/models/${_name} COPYONLY)
    else()
        set(QUENVALOR_MODELS_FOUND OFF)
        file(REMOVE ${CMAKE_BINARY_DIR}/models/${_name})
        message(STATUS "Segmentation model ${_name} not in ${QUENVALOR_MODEL_CACHE} (or not the expected one): "
                       "the background choices will be disabled; tools/install-deps.sh fetches it")
    endif()
endforeach()
if(QUENVALOR_MODELS_FOUND)
    configure_file(${QUENVALOR_MODEL_CACHE}/LICENSE.segmentation-models
        ${CMAKE_BINARY_DIR}/models/LICENSE.segmentation-models COPYONLY)
    install(DIRECTORY ${CMAKE_BINARY_DIR}/models DESTINATION ${QUENVALOR_DATA_DESTINATION})
endif()

# Writes OUTPUT, a C++ file that links the PNG files of the nakshatra and mukhi lists into the
# program with the assembler's .incbin, and a lookup by list and number. Run at configure time.
# Inputs: PICTURE_DIR (reports/pictures), OUTPUT.
set(body "// Generated from reports/pictures by EmbedPictures.cmake; do not edit.\n")
string(APPEND body "#include \"reports/pictures/ReportPictureData.h\"\n\n")
set(tables "")
foreach(list nakshatra mukhi)
    if(list STREQUAL nakshatra)
        set(count 27)
    else()
        set(count 15)
    endif()
    set(entries "")
    foreach(n RANGE 1 ${count})
        if(n LESS 10)
            set(nn "0${n}")
        else()
            set(nn "${n}")
        endif()
        set(file "${PICTURE_DIR}/${list}/${nn}.png")
        if(NOT EXISTS "${file}")
            message(FATAL_ERROR "missing report picture ${file}")
        endif()
        set(sym "tarabead_picture_${list}_${nn}")
        string(APPEND body "asm(\".section .rodata\\n.balign 16\\n${sym}:\\n.incbin \\\"${file}\\\"\\n${sym}_end:\\n.previous\\n\");\n")
        string(APPEND body "extern \"C\" const char ${sym}[] asm(\"${sym}\");\n")
        string(APPEND body "extern \"C\" const char ${sym}_end[] asm(\"${sym}_end\");\n")
        string(APPEND entries "    {${sym}, ${sym}_end},\n")
    endforeach()
    string(APPEND tables "constexpr Span k_${list}[] = {\n${entries}};\n")
endforeach()
string(APPEND body "
namespace tarabead::reports {
namespace {
struct Span {
    const char* begin;
    const char* end;
};
${tables}}  // namespace

std::string_view ReportPicturePng(PictureList list, int number) {
    const bool nakshatra = list == PictureList::IMG;
    if (number < 1 || number > PictureCount(list)) return {};
    const Span& s = nakshatra ? k_nakshatra[number - 1] : k_mukhi[number - 1];
    return std::string_view(s.begin, static_cast<std::size_t>(s.end - s.begin));
}

}  // namespace tarabead::reports
")
file(WRITE "${OUTPUT}.new" "${body}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")

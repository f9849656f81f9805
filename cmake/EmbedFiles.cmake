# Script mode: writes OUTPUT, a C++ source that holds each of FILES (a ;-list)
# and defines FindEmbeddedResource() over them by bare file name.
set(body "#include \"EmbeddedResources.h\"\n\nnamespace {\n")
set(entries "")
set(index 0)
foreach(file IN LISTS FILES)
  get_filename_component(base ${file} NAME)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const unsigned char kData${index}[] = {\n${bytes}0};\n")
  string(APPEND entries "    {\"${base}\", {kData${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND body "
struct Entry {
    std::string_view name;
    EmbeddedResource resource;
};
const Entry kEntries[] = {
${entries}    {\"\", {}},
};

}  // namespace

EmbeddedResource FindEmbeddedResource(std::string_view name)
{
    for (const Entry& e : kEntries) {
        if (!e.name.empty() && e.name == name) {
            return e.resource;
        }
    }
    return {};
}
")
file(WRITE ${OUTPUT} "${body}")

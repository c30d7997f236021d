#include "ModuleProbe.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace
{
std::string Demangle(const char* name)
{
    int status = 0;
    char* text = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string result = status == 0 && text ? text : name;
    std::free(text);
    return result;
}

template <typename T> bool ReadAt(const std::vector<char>& bytes, std::size_t offset, T& out)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        return false;
    std::memcpy(&out, bytes.data() + offset, sizeof(T));
    return true;
}
} // namespace

ModuleProbe::ModuleProbe(const std::string& file, void* library)
{
    link_map* map = nullptr;
    if (!library || dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return;
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Elf64_Ehdr header{};
    if (!ReadAt(bytes, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return;
    for (int i = 0; i < header.e_shnum; ++i)
    {
        Elf64_Shdr symbols{};
        if (!ReadAt(bytes, header.e_shoff + i * sizeof(Elf64_Shdr), symbols) || symbols.sh_type != SHT_SYMTAB)
            continue;
        Elf64_Shdr names{};
        if (!ReadAt(bytes, header.e_shoff + symbols.sh_link * sizeof(Elf64_Shdr), names))
            return;
        for (std::size_t s = 0; s < symbols.sh_size / sizeof(Elf64_Sym); ++s)
        {
            Elf64_Sym symbol{};
            if (!ReadAt(bytes, symbols.sh_offset + s * sizeof(Elf64_Sym), symbol) ||
                ELF64_ST_TYPE(symbol.st_info) != STT_FUNC || symbol.st_value == 0 ||
                symbol.st_name >= names.sh_size)
                continue;
            const char* name = bytes.data() + names.sh_offset + symbol.st_name;
            m_functions[Demangle(name)] = reinterpret_cast<void*>(map->l_addr + symbol.st_value);
        }
    }
}

void* ModuleProbe::Find(const std::string& prefix) const
{
    void* found = nullptr;
    for (auto it = m_functions.lower_bound(prefix); it != m_functions.end() && it->first.starts_with(prefix);
         ++it)
    {
        if (found && found != it->second)
            return nullptr;
        found = it->second;
    }
    return found;
}

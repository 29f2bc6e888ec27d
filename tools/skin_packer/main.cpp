// Builds a .she skin file from a readable source folder, and unpacks one back into a folder:
//   skin_packer pack <source-folder> <out.she> [--password P]
//   skin_packer unpack <in.she> <folder>
#include "skin/skin_format.h"
#include "tools/skin_packer/skin_source.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::cerr << "usage: skin_packer pack <source-folder> <out.she> [--password P]\n"
                 "       skin_packer unpack <in.she> <folder>\n";
    return 2;
}

skin::PasswordSalt randomSalt()
{
    std::random_device device;
    skin::PasswordSalt salt {};
    for (auto& byte : salt)
        byte = static_cast<unsigned char>(device());
    return salt;
}

int pack(const std::string& folder, const std::string& outPath, const std::string* password)
{
    auto source = skin_packer::readSkinSource(folder);
    if (!source.skin) {
        std::cerr << "skin_packer: " << source.error << '\n';
        return 1;
    }
    if (password)
        source.skin->lock = skin::lockWithPassword(*password, randomSalt());
    const auto bytes = skin::writeSkin(*source.skin);
    if (bytes.size() > skin::kMaxSkinFileSize) {
        std::cerr << "skin_packer: the skin would be larger than the engine reads\n";
        return 1;
    }
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "skin_packer: cannot write " << outPath << '\n';
        return 1;
    }
    return 0;
}

int unpack(const std::string& inPath, const std::string& folder)
{
    std::ifstream in(inPath, std::ios::binary);
    std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && !in) {
        std::cerr << "skin_packer: cannot read " << inPath << '\n';
        return 1;
    }
    const auto parsed = skin::parseSkinWithoutPassword(file);
    if (!parsed.skin) {
        std::cerr << "skin_packer: " << inPath << " is not a sound skin (code " << static_cast<int>(parsed.result)
                  << ")\n";
        return 1;
    }
    if (!skin_packer::writeSkinSource(*parsed.skin, folder)) {
        std::cerr << "skin_packer: cannot write into " << folder << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "pack")
        return pack(args[1], args[2], nullptr);
    if (args.size() == 5 && args[0] == "pack" && args[3] == "--password")
        return pack(args[1], args[2], &args[4]);
    if (args.size() == 3 && args[0] == "unpack")
        return unpack(args[1], args[2]);
    return usage();
}

// mml2mid: turns a tune written in our MML text (assets/music/README.md) into a
// Standard MIDI File.
//
//   mml2mid [--info] <input.mml> <output.mid>
//
// --info prints the number of tracks and the length in seconds. Exit status 0 on
// success, 1 on a mistake in the source (reported as file:line:column: text), 2 on a
// usage or file error. The output is written whole or not at all.
#include "mml.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv)
{
    bool info = false;
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--info") {
        info = true;
        first = 2;
    }
    if (argc - first != 2) {
        std::cerr << "usage: mml2mid [--info] <input.mml> <output.mid>\n";
        return 2;
    }
    const std::filesystem::path input = argv[first];
    const std::filesystem::path output = argv[first + 1];

    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << "mml2mid: cannot read " << input.string() << "\n";
        return 2;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    mml::Song song;
    try {
        song = mml::Parse(text, input.filename().string());
    } catch (const mml::Error& e) {
        std::cerr << "mml2mid: " << e.what() << "\n";
        return 1;
    }
    const auto bytes = mml::WriteSmf(song);

    std::filesystem::path temp = output;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::cerr << "mml2mid: cannot write " << temp.string() << "\n";
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return 2;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, output, ec);
    if (ec) {
        std::cerr << "mml2mid: cannot write " << output.string() << ": " << ec.message() << "\n";
        std::filesystem::remove(temp, ec);
        return 2;
    }
    if (info)
        std::printf("%s: %zu tracks, %.2f s\n", output.filename().string().c_str(), song.tracks.size(),
                    song.DurationSeconds());
    return 0;
}

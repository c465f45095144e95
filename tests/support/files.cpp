#include "files.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

void WriteFile(const std::string& path, const std::string& content, mode_t mode)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    chmod(path.c_str(), mode);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

off_t FileSize(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

Tree ReadTree(const std::string& root)
{
    Tree tree;
    std::error_code missing;
    for (auto it = std::filesystem::recursive_directory_iterator(root, missing); !missing && it != end(it); ++it) {
        tree[it->path().lexically_relative(root).string()] = it->is_directory() ? "/" : ReadFile(it->path());
    }
    return tree;
}

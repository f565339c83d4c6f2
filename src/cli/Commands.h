// The subcommands of korvane-gen. Each takes the arguments after its name and returns the
// process exit status; errors go to standard error and nothing is written on failure. Files
// are read and written through `files`.
#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace korvane::cli {

int RunListCommand(const std::vector<std::string>& args, FileSystem& files = RealFileSystem());
int RunResaveCommand(const std::vector<std::string>& args, FileSystem& files = RealFileSystem());

}  // namespace korvane::cli

namespace korvane {

int RunJavaCommand(const std::vector<std::string>& args, FileSystem& files = RealFileSystem());
int RunRenderCommand(const std::vector<std::string>& args, FileSystem& files = RealFileSystem());
int RunImportCommand(const std::vector<std::string>& args, FileSystem& files = RealFileSystem());

}  // namespace korvane

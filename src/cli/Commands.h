// The subcommands of korvane-gen. Each takes the arguments after its name and returns the
// process exit status; errors go to standard error and nothing is written on failure.
#pragma once

#include <string>
#include <vector>

namespace korvane::cli {

int RunListCommand(const std::vector<std::string>& args);
int RunResaveCommand(const std::vector<std::string>& args);

}  // namespace korvane::cli

namespace korvane {

int RunJavaCommand(const std::vector<std::string>& args);
int RunRenderCommand(const std::vector<std::string>& args);

}  // namespace korvane

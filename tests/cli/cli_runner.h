#pragma once

// Runs notavi-cli as a user calls it, in a fresh folder that is also its HOME.

#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace notavi::test {

struct Result
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test
{
  protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes)
    {
        m_temp.write(name, bytes);
        return m_dir / name;
    }

    static std::string slurp(const std::filesystem::path& path) { return readBytes(path); }

    Result run(const std::string& arguments)
    {
        std::filesystem::path out = m_dir / "out.txt";
        std::filesystem::path err = m_dir / "err.txt";
        std::string command = std::string("HOME=") + m_dir.string() + " XDG_DATA_HOME= " + NOTAVI_CLI_PATH +
                              " " + arguments + " >" + out.string() + " 2>" + err.string();
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    }

    TempDir m_temp;
    const std::filesystem::path m_dir = m_temp.path();
};

} // namespace notavi::test

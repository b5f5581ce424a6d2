#pragma once
// The built program run as a user runs it, for the command-line tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace skiora::test {

struct Lauf {
    int status = -1;
    std::string fehler; // standard error
    std::string aus;    // standard output
};

// A folder of the test's own in the build tree, emptied when first asked for.
inline std::filesystem::path LaufOrdner(const std::string& name) {
    const std::filesystem::path p =
        std::filesystem::path(SKIORA_BINARY_DIR) / "tests" / "cli" / name;
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

inline std::string Lies(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

// Runs skiora with `argumente` (shell words); its output goes through `ordner`.
inline Lauf Starte(const std::filesystem::path& ordner, const std::string& argumente) {
    const std::filesystem::path fehler = ordner / "stderr.txt", aus = ordner / "stdout.txt";
    const std::string befehl = "'" + std::string(SKIORA_BINARY_DIR) + "/skiora' " + argumente +
                               " >'" + aus.string() + "' 2>'" + fehler.string() + "'";
    const int r = std::system(befehl.c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Lies(fehler), Lies(aus)};
}

} // namespace skiora::test

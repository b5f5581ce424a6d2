#include "Datei.h"

#include "lang/DateiTexte.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace skiora::datei {

namespace {

namespace dt = lang::dateitext;

std::string Ordner(const std::string& pfad) {
    const auto strich = pfad.find_last_of('/');
    if (strich == std::string::npos) return ".";
    return strich == 0 ? "/" : pfad.substr(0, strich);
}

std::string Name(const std::string& pfad) {
    const auto strich = pfad.find_last_of('/');
    return strich == std::string::npos ? pfad : pfad.substr(strich + 1);
}

// Follows symbolic links to the file that is finally written; a dangling
// link gives the path it points to, so the link itself is kept.
bool Aufloesen(std::string& pfad, int& fehler) {
    for (int schritt = 0; schritt < 40; ++schritt) {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string ziel(4096, '\0');
        const ssize_t n = ::readlink(pfad.c_str(), ziel.data(), ziel.size());
        if (n <= 0 || static_cast<size_t>(n) >= ziel.size()) {
            fehler = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        ziel.resize(static_cast<size_t>(n));
        pfad = ziel.front() == '/' ? ziel : Ordner(pfad) + "/" + ziel;
    }
    fehler = ELOOP;
    return false;
}

mode_t Umask() {
    // Reading the mask through umask() would change it for a moment, and the
    // split methods run threads; the kernel tells it without that.
    if (FILE* f = std::fopen("/proc/self/status", "re")) {
        char zeile[256];
        unsigned maske = 022;
        bool gefunden = false;
        while (!gefunden && std::fgets(zeile, sizeof zeile, f))
            gefunden = std::sscanf(zeile, "Umask: %o", &maske) == 1;
        std::fclose(f);
        if (gefunden) return static_cast<mode_t>(maske);
    }
    return 022;
}

int AllesSchreiben(int fd, std::string_view inhalt) {
    const char* p = inhalt.data();
    size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        p += n;
        rest -= static_cast<size_t>(n);
    }
    return 0;
}

// A device or pipe that exists: written in place, never replaced.
int DirektSchreiben(const std::string& ziel, std::string_view inhalt) {
    // Without a reader a pipe would block the program for ever.
    const int fd = ::open(ziel.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    int fehler = AllesSchreiben(fd, inhalt);
    if (::close(fd) != 0 && fehler == 0 && errno != EINTR) fehler = errno;
    return fehler;
}

bool GleicheDatei(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

int UeberTempSchreiben(const std::string& ziel, std::string_view inhalt, bool gibtEs,
                       const struct stat& alterModus) {
    // Hidden, unique and unpredictable; long names are cut so the suffix fits.
    std::string name = Name(ziel).substr(0, 200);
    std::string muster = Ordner(ziel) + "/." + name + ".XXXXXX";
    const int fd = ::mkostemp(muster.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    struct stat unsere {};
    ::fstat(fd, &unsere);
    auto aufraeumen = [&](int fehler) {
        // Remove the temporary only while the name is still our file.
        struct stat jetzt {};
        if (::lstat(muster.c_str(), &jetzt) == 0 && GleicheDatei(jetzt, unsere))
            ::unlink(muster.c_str());
        return fehler;
    };

    const mode_t modus = gibtEs ? (alterModus.st_mode & 07777) : (0666 & ~Umask());
    // The replaced file keeps its owner where the system lets us (as root, or
    // a group we belong to); otherwise it becomes ours, as with any new file.
    if (gibtEs && ::fchown(fd, alterModus.st_uid, alterModus.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), alterModus.st_gid);
    ::fchmod(fd, modus);
    int fehler = AllesSchreiben(fd, inhalt);
    // Delayed allocation reports a full disk only when the data reach it.
    if (fehler == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) fehler = errno;
    struct stat jetzt {};
    if (fehler == 0 && (::lstat(muster.c_str(), &jetzt) != 0 || !GleicheDatei(jetzt, unsere)))
        fehler = EEXIST; // somebody replaced our temporary
    if (::close(fd) != 0 && fehler == 0 && errno != EINTR) fehler = errno;
    if (fehler != 0) {
        // A close after a failed write may not tell; the temporary goes anyway.
        ::unlink(muster.c_str());
        return fehler;
    }
    if (::rename(muster.c_str(), ziel.c_str()) != 0) return aufraeumen(errno);
    // The new name on disk too, where the folder allows it.
    const int ordner = ::open(Ordner(ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordner >= 0) {
        ::fsync(ordner);
        ::close(ordner);
    }
    return 0;
}

} // namespace

std::string FehlerGrund(int nr, int sprache) {
    auto t = [sprache](const lang::Zweisprachig& z) { return lang::Text(sprache, z); };
    switch (nr) {
    case ENOSPC:
    case EDQUOT:
        return t(dt::KeinPlatz);
    case EFBIG:
        return t(dt::ZuGross);
    case EACCES:
    case EPERM:
        return t(dt::KeineBerechtigung);
    case EROFS:
        return t(dt::Schreibgeschuetzt);
    case ENOENT:
        return t(dt::OrdnerFehlt);
    case ENOTDIR:
        return t(dt::KeinOrdnerImPfad);
    case EISDIR:
        return t(dt::IstOrdner);
    case ENAMETOOLONG:
        return t(dt::NameZuLang);
    case ELOOP:
        return t(dt::ZuVieleLinks);
    case ENXIO:
        return t(dt::PipeOhneLeser);
    case EEXIST:
        return t(dt::TempErsetzt);
    case EIO:
        return t(dt::EinAusgabe);
    default:
        return t(dt::Systemfehler) + std::to_string(nr) + " (" + std::strerror(nr) + ")";
    }
}

std::string SchreibFehlerText(const std::string& pfad, const std::string& grund, int sprache) {
    return lang::Text(sprache, dt::SchreibenAnfang) + pfad +
           lang::Text(sprache, dt::SchreibenMitte) + grund + ".";
}

Ergebnis SicherSchreiben(const std::string& pfad, std::string_view inhalt, int sprache) {
    auto fehlschlag = [&](int nr) {
        return Ergebnis{false, nr, SchreibFehlerText(pfad, FehlerGrund(nr, sprache), sprache)};
    };
    if (pfad.empty()) return fehlschlag(ENOENT);
    std::string ziel = pfad;
    int fehler = 0;
    if (!Aufloesen(ziel, fehler)) return fehlschlag(fehler);

    struct stat st {};
    const bool gibtEs = ::stat(ziel.c_str(), &st) == 0;
    if (gibtEs && S_ISDIR(st.st_mode)) return fehlschlag(EISDIR);
    if (gibtEs && !S_ISREG(st.st_mode))
        fehler = DirektSchreiben(ziel, inhalt);
    else if (gibtEs && ::faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0)
        fehler = errno; // a write-protected file is not replaced behind its back
    else
        fehler = UeberTempSchreiben(ziel, inhalt, gibtEs, st);
    return fehler == 0 ? Ergebnis{} : fehlschlag(fehler);
}

Gelesen BegrenztLesen(const std::string& pfad, std::size_t grenze, int sprache) {
    Gelesen g;
    auto fehlschlag = [&](int nr) {
        const std::string grund =
            nr == ENOENT ? lang::Text(sprache, dt::DateiFehlt) : FehlerGrund(nr, sprache);
        g.ergebnis = {false, nr,
                      lang::Text(sprache, dt::LesenAnfang) + pfad +
                          lang::Text(sprache, dt::LesenMitte) + grund + "."};
        g.inhalt.clear();
        return g;
    };
    // A pipe without a writer would block the opening for ever; once open,
    // reading waits for the data as usual.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return fehlschlag(errno);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return fehlschlag(EISDIR);
    }
    // One byte beyond the bound tells that there is more.
    g.inhalt.resize(grenze + 1);
    size_t gelesen = 0;
    while (gelesen < g.inhalt.size()) {
        const ssize_t n = ::read(fd, g.inhalt.data() + gelesen, g.inhalt.size() - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int nr = errno;
            ::close(fd);
            return fehlschlag(nr);
        }
        if (n == 0) break;
        gelesen += static_cast<size_t>(n);
    }
    ::close(fd);
    g.zuGross = gelesen > grenze;
    g.inhalt.resize(std::min(gelesen, grenze));
    return g;
}

} // namespace skiora::datei

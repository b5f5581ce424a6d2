#include "Datei.h"

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

std::string Waehle(int sprache, const char* de, const char* en) {
    return sprache == 2 ? en : de;
}

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
                       mode_t alterModus) {
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

    const mode_t modus = gibtEs ? (alterModus & 07777) : (0666 & ~Umask());
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
    switch (nr) {
    case ENOSPC:
    case EDQUOT:
        return Waehle(sprache, "kein Platz mehr auf dem Datenträger",
                      "no space left on the device");
    case EFBIG:
        return Waehle(sprache, "die Datei wird zu groß", "the file would be too large");
    case EACCES:
    case EPERM:
        return Waehle(sprache, "keine Schreibberechtigung", "no permission to write");
    case EROFS:
        return Waehle(sprache, "der Datenträger ist schreibgeschützt", "the device is read-only");
    case ENOENT:
        return Waehle(sprache, "den Ordner gibt es nicht", "the folder does not exist");
    case ENOTDIR:
        return Waehle(sprache, "ein Teil des Pfades ist kein Ordner",
                      "a part of the path is not a folder");
    case EISDIR:
        return Waehle(sprache, "das ist ein Ordner", "this is a folder");
    case ENAMETOOLONG:
        return Waehle(sprache, "der Name ist zu lang", "the name is too long");
    case ELOOP:
        return Waehle(sprache, "zu viele symbolische Verknüpfungen", "too many symbolic links");
    case ENXIO:
        return Waehle(sprache, "niemand liest aus der Pipe", "nobody reads from the pipe");
    case EEXIST:
        return Waehle(sprache, "die temporäre Datei wurde von außen ersetzt",
                      "the temporary file was replaced from outside");
    case EIO:
        return Waehle(sprache, "Ein-/Ausgabefehler des Datenträgers",
                      "input/output error of the device");
    default:
        return Waehle(sprache, "Systemfehler ", "system error ") + std::to_string(nr) + " (" +
               std::strerror(nr) + ")";
    }
}

Ergebnis SicherSchreiben(const std::string& pfad, std::string_view inhalt, int sprache) {
    auto fehlschlag = [&](int nr) {
        return Ergebnis{false, nr,
                        Waehle(sprache, "Die Datei ", "Cannot write the file ") + pfad +
                            Waehle(sprache, " kann nicht geschrieben werden: ", ": ") +
                            FehlerGrund(nr, sprache) + "."};
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
    else
        fehler = UeberTempSchreiben(ziel, inhalt, gibtEs, st.st_mode);
    return fehler == 0 ? Ergebnis{} : fehlschlag(fehler);
}

Gelesen BegrenztLesen(const std::string& pfad, std::size_t grenze, int sprache) {
    Gelesen g;
    auto fehlschlag = [&](int nr) {
        const std::string grund = nr == ENOENT
                                      ? Waehle(sprache, "die Datei gibt es nicht", "no such file")
                                      : FehlerGrund(nr, sprache);
        g.ergebnis = {false, nr,
                      Waehle(sprache, "Die Datei ", "Cannot read the file ") + pfad +
                          Waehle(sprache, " kann nicht gelesen werden: ", ": ") + grund + "."};
        g.inhalt.clear();
        return g;
    };
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fehlschlag(errno);
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

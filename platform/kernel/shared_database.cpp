// Sharing a database file between processes: the users' lock, the unclean-end test and the
// damaged file kept aside.
#include "kernel/shared_database.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>
#include <string>

namespace platform {
namespace {

bool HasBytes(const std::filesystem::path& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return !ec && size > 0;
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, const char* suffix) {
    return std::filesystem::path(path.string() + suffix);
}

std::filesystem::path RunFile(const std::filesystem::path& database, const char* suffix) {
    return database.parent_path() / "run" / (database.filename().string() + suffix);
}

}  // namespace

DatabaseUsers DatabaseUsers::Join(const std::filesystem::path& database) {
    const std::filesystem::path run = database.parent_path() / "run";
    std::error_code ec;
    std::filesystem::create_directories(run, ec);
    DatabaseUsers users;
    users.fd_ = UniqueFd(::open((run / (database.filename().string() + ".users")).c_str(),
                                O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!users.fd_.Valid()) return users;  // no lock to be had: never counted alone
    int rc;
    while ((rc = ::flock(users.fd_.Get(), LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (rc == 0) {
        users.alone_ = true;
        return users;
    }
    // Another user holds it; an exclusive holder is only opening and lets go soon.
    while (::flock(users.fd_.Get(), LOCK_SH) != 0 && errno == EINTR) {
    }
    return users;
}

void DatabaseUsers::Share() {
    if (!fd_.Valid() || !alone_) return;
    while (::flock(fd_.Get(), LOCK_SH) != 0 && errno == EINTR) {
    }
    alone_ = false;
}

bool DatabaseUsers::TryAlone() {
    if (!fd_.Valid()) return false;
    if (alone_) return true;
    int rc;
    while ((rc = ::flock(fd_.Get(), LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    alone_ = rc == 0;
    return alone_;
}

bool EndedUncleanly(const std::filesystem::path& database) {
    return HasBytes(WithSuffix(database, "-wal")) || HasBytes(WithSuffix(database, "-journal"));
}

std::filesystem::path KeepDamagedAside(const std::filesystem::path& database) {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &utc);
    std::filesystem::path aside = WithSuffix(database, (std::string(".damaged-") + stamp).c_str());
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = WithSuffix(database, (std::string(".damaged-") + stamp + "-" + std::to_string(n)).c_str());
    std::error_code ec;
    std::filesystem::rename(database, aside, ec);
    if (ec) return {};
    // The log belongs to the damaged file: a new database must never take its pages.
    for (const char* suffix : {"-wal", "-journal"}) {
        std::error_code logEc;
        if (std::filesystem::exists(WithSuffix(database, suffix), logEc))
            std::filesystem::rename(WithSuffix(database, suffix), WithSuffix(aside, suffix), logEc);
    }
    std::filesystem::remove(WithSuffix(database, "-shm"), ec);
    std::filesystem::remove(RunFile(database, ".damaged"), ec);
    return aside;
}

void MarkDamaged(const std::filesystem::path& database) {
    std::ofstream(RunFile(database, ".damaged")).flush();
}

bool MarkedDamaged(const std::filesystem::path& database) {
    std::error_code ec;
    return std::filesystem::exists(RunFile(database, ".damaged"), ec);
}

void NoteKeptAside(const std::filesystem::path& database, const std::filesystem::path& aside) {
    std::ofstream(RunFile(database, ".aside")) << aside.string() << "\n";
}

std::filesystem::path TakeAsideNote(const std::filesystem::path& database) {
    const std::filesystem::path note = RunFile(database, ".aside");
    std::string aside;
    {
        std::ifstream in(note);
        if (!in || !std::getline(in, aside)) return {};
    }
    std::error_code ec;
    // Removed before it is said: of two processes starting at once, only one says it.
    if (!std::filesystem::remove(note, ec)) return {};
    return aside;
}

}  // namespace platform

// Shared-folder stress and kill test of the archives and the whole-file writers.
//
//   lunaresca_stress race [--appenders N] [--overwriters N] [--scanners N] [--appends N] [--seconds S]
//     N processes append to, overwrite in and scan one archive in one program folder at once;
//     afterwards every acknowledged append must be there and whole, and every card must hold the
//     last overwrite acknowledged for it.
//   lunaresca_stress kill [--rounds N] [--min-interrupted N]
//     Kills (SIGKILL) a process at random points while it overwrites cards, appends, saves the
//     price list and rewrites the password store; after each kill every card must be the old one
//     or the new one, and each file a whole version.
// Exit status 0 when every check held. Prints one summary line per part.
#include "app/PasswordStore.h"
#include "base/RecordFile.h"
#include "billing/PriceList.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <random>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A guest card's size: a record that spans pages of the disk, so a torn write can show.
constexpr int kSize = 5844;

// A test record: "STRS", writer, sequence, generation, a hash, then bytes that follow from
// the three numbers. Whole when the hash and every byte agree.
struct Id {
    quint32 writer = 0, seq = 0, gen = 0;
};

quint64 fill(char *p, qsizetype n, const Id &id)
{
    quint64 x = (quint64(id.writer) << 42) ^ (quint64(id.seq) << 20) ^ id.gen ^ 0x9E3779B97F4A7C15ull;
    quint64 h = 1469598103934665603ull;
    for (qsizetype i = 0; i < n; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const char c = char(x & 0xFF);
        if (p)
            p[i] = c;
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return h;
}

QByteArray makeRecord(const Id &id)
{
    QByteArray r(kSize, '\0');
    std::memcpy(r.data(), "STRS", 4);
    std::memcpy(r.data() + 4, &id.writer, 4);
    std::memcpy(r.data() + 8, &id.seq, 4);
    std::memcpy(r.data() + 12, &id.gen, 4);
    const quint64 h = fill(r.data() + 24, kSize - 24, id);
    std::memcpy(r.data() + 16, &h, 8);
    return r;
}

bool whole(const char *r, Id &id)
{
    if (std::memcmp(r, "STRS", 4) != 0)
        return false;
    std::memcpy(&id.writer, r + 4, 4);
    std::memcpy(&id.seq, r + 8, 4);
    std::memcpy(&id.gen, r + 12, 4);
    quint64 h;
    std::memcpy(&h, r + 16, 8);
    return makeRecord(id) == QByteArray(r, kSize) && h != 0;
}

int arg(const QStringList &args, const char *name, int fallback)
{
    const qsizetype i = args.indexOf(QLatin1String(name));
    return (i >= 0 && i + 1 < args.size()) ? args[i + 1].toInt() : fallback;
}

bool writeAll(int fd, const void *p, size_t n)
{
    const char *c = static_cast<const char *>(p);
    while (n > 0) {
        const ssize_t r = ::write(fd, c, n);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        c += r;
        n -= size_t(r);
    }
    return true;
}

QByteArray readAllFd(int fd)
{
    QByteArray out;
    char buf[4096];
    ssize_t r;
    while ((r = ::read(fd, buf, sizeof buf)) != 0) {
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            break;
        out.append(buf, r);
    }
    return out;
}

// One acknowledgement: the position and the record's identity, sent once the call returned.
struct Ack {
    qint64 position;
    Id id;
};

pid_t spawn(int ackFd, const std::function<void(int)> &body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        body(ackFd);
        ::_exit(0);
    }
    return pid;
}

// ---------------------------------------------------------------------------------------- race

int race(const QStringList &args)
{
    const int appenders = arg(args, "--appenders", 8), overwriters = arg(args, "--overwriters", 4),
              scanners = arg(args, "--scanners", 2), appends = arg(args, "--appends", 1000),
              seconds = arg(args, "--seconds", 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Clienti.pro"));
    {
        RecordFile f(path, kSize);
        f.open();
        for (quint32 i = 0; i < 16; ++i)
            f.append(makeRecord({0, i, 0}).constData());
    }
    int pipeFd[2];
    if (::pipe(pipeFd) != 0)
        return 2;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds > 0 ? seconds : 3600);
    auto stop = [&](int done) { return done >= appends || std::chrono::steady_clock::now() > deadline; };
    std::vector<pid_t> kids;
    for (int w = 1; w <= appenders; ++w)
        kids.push_back(spawn(pipeFd[1], [&, w](int fd) {
            RecordFile f(path, kSize);
            for (int i = 0; !stop(i); ++i) {
                const Id id{quint32(w), quint32(i), 0};
                f.open();
                const Ack a{f.append(makeRecord(id).constData()), id};
                f.close();
                writeAll(fd, &a, sizeof a);
            }
        }));
    for (int w = 0; w < overwriters; ++w)
        kids.push_back(spawn(pipeFd[1], [&, w](int fd) {
            std::mt19937 rng(unsigned(w) * 7919u + 1);
            RecordFile f(path, kSize);
            QByteArray loaded(kSize, '\0');
            for (int i = 0; !stop(i); ++i) {
                f.open();
                const qint64 pos = 1 + qint64(rng() % quint64(f.count()));
                f.read(pos, loaded.data());
                Id id;
                if (!whole(loaded.constData(), id))
                    ::_exit(3);
                ++id.gen;
                // Compared with what was read, so the generations of one card form a chain.
                if (f.overwriteIfUnchanged(pos, loaded.constData(), makeRecord(id).constData())
                    == RecordFile::Outcome::Written) {
                    const Ack a{pos, id};
                    writeAll(fd, &a, sizeof a);
                }
                f.close();
            }
        }));
    std::vector<pid_t> scanKids;
    for (int s = 0; s < scanners; ++s)
        scanKids.push_back(spawn(-1, [&](int) {
            ::close(pipeFd[1]);
            for (;;) {
                RecordFile f(path, kSize);
                f.openForReading();
                qint64 n = 0;
                f.scan([&](qint64, const char *) { return ++n > 0; });
                // Appends go on meanwhile: the pass sees what was there when it began.
                if (n > f.count())
                    ::_exit(4);
            }
        }));
    ::close(pipeFd[1]);
    const QByteArray acks = readAllFd(pipeFd[0]);
    ::close(pipeFd[0]);
    int failedKids = 0;
    for (pid_t k : kids) {
        int st = 0;
        ::waitpid(k, &st, 0);
        failedKids += !(WIFEXITED(st) && WEXITSTATUS(st) == 0);
    }
    for (pid_t k : scanKids) {
        ::kill(k, SIGKILL);
        int st = 0;
        ::waitpid(k, &st, 0);
        failedKids += WIFEXITED(st) && WEXITSTATUS(st) != 0;
    }

    // Check: every record whole; every acknowledged append where it was acknowledged; every
    // card holding the highest generation acknowledged for it.
    std::map<qint64, Id> expected;
    qint64 appended = 0, overwritten = 0;
    const qsizetype nAcks = acks.size() / qsizetype(sizeof(Ack));
    for (qsizetype i = 0; i < nAcks; ++i) {
        Ack a;
        std::memcpy(&a, acks.constData() + i * qsizetype(sizeof(Ack)), sizeof a);
        (a.id.gen == 0 ? appended : overwritten) += 1;
        auto it = expected.find(a.position);
        if (it == expected.end() || a.id.gen > it->second.gen)
            expected[a.position] = a.id;
    }
    RecordFile f(path, kSize);
    f.openForReading();
    qint64 torn = 0, lost = 0;
    std::map<std::pair<quint32, quint32>, int> identities;
    f.scan([&](qint64 pos, const char *rec) {
        Id id;
        if (!whole(rec, id)) {
            ++torn;
            return true;
        }
        ++identities[{id.writer, id.seq}];
        const auto it = expected.find(pos);
        if (it != expected.end()
            && (it->second.writer != id.writer || it->second.seq != id.seq || it->second.gen != id.gen))
            ++lost;
        return true;
    });
    qint64 twins = 0;
    for (const auto &[key, n] : identities)
        twins += n > 1;
    const bool ok = torn == 0 && lost == 0 && twins == 0 && failedKids == 0 && f.count() == 16 + appended;
    std::printf("race: %d appenders, %d overwriters, %d scanners: %lld appends and %lld overwrites acknowledged, "
                "%lld records; torn %lld, lost or stale %lld, duplicated %lld, failed processes %d: %s\n",
                appenders, overwriters, scanners, (long long)appended, (long long)overwritten, (long long)f.count(),
                (long long)torn, (long long)lost, (long long)twins, failedKids, ok ? "ok" : "FAILED");
    return ok ? 0 : 1;
}

// ---------------------------------------------------------------------------------------- kill

// Runs `body` in a child, kills it after a random pause, and gives the acknowledgements it sent.
QByteArray runAndKill(std::mt19937 &rng, int maxMicros, const std::function<void(int)> &body)
{
    int p[2];
    if (::pipe(p) != 0)
        return {};
    const pid_t pid = spawn(p[1], [&](int fd) {
        ::close(p[0]);
        body(fd);
    });
    ::close(p[1]);
    ::usleep(useconds_t(500 + rng() % unsigned(maxMicros)));
    ::kill(pid, SIGKILL);
    int st = 0;
    ::waitpid(pid, &st, 0);
    const QByteArray acks = readAllFd(p[0]);
    ::close(p[0]);
    return acks;
}

template <class T> T lastAck(const QByteArray &acks, const T &fallback)
{
    if (acks.size() < qsizetype(sizeof(T)))
        return fallback;
    T t;
    std::memcpy(&t, acks.constData() + (acks.size() / qsizetype(sizeof(T)) - 1) * qsizetype(sizeof(T)), sizeof t);
    return t;
}

struct KillReport {
    int rounds = 0, interrupted = 0, tornBeforeRecovery = 0, torn = 0, stale = 0;
};

KillReport killOverwrites(const QString &path, int rounds, std::mt19937 &rng)
{
    // Four cards; the child rewrites card 2 and 3 alternately, each a new generation.
    {
        QFile::remove(path);
        RecordFile f(path, kSize);
        f.open();
        for (quint32 i = 0; i < 4; ++i)
            f.append(makeRecord({0, i, 0}).constData());
    }
    KillReport r;
    quint32 gen = 0;
    for (int round = 0; round < rounds; ++round) {
        const quint32 from = gen;
        const QByteArray acks = runAndKill(rng, 6000, [&](int fd) {
            RecordFile f(path, kSize);
            for (quint32 g = from + 1;; ++g) {
                f.open();
                f.overwrite(2 + (g % 2), makeRecord({0, 1 + (g % 2), g}).constData());
                f.close();
                writeAll(fd, &g, sizeof g);
            }
        });
        const quint32 acked = lastAck<quint32>(acks, from);
        ++r.rounds;
        const bool journal = QFile::exists(RecordFile::journalPath(path));
        r.interrupted += journal;
        // What a reader without the journal would have seen.
        QFile raw(path);
        if (raw.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = raw.readAll();
            for (int k = 0; k < 4; ++k) {
                Id id;
                r.tornBeforeRecovery += !whole(bytes.constData() + k * kSize, id);
            }
        }
        RecordFile f(path, kSize);
        f.open();
        QByteArray rec(kSize, '\0');
        quint32 newest = 0;
        for (qint64 pos = 1; pos <= 4; ++pos) {
            f.read(pos, rec.data());
            Id id;
            if (!whole(rec.constData(), id)) {
                ++r.torn;
                continue;
            }
            newest = qMax(newest, id.gen);
            // The last acknowledged save of each card is there (or the one after it).
            if ((pos == 2 || pos == 3) && acked >= 2) {
                const quint32 ackedHere = (acked % 2 == pos % 2) ? acked : acked - 1;
                if (id.gen < ackedHere) {
                    ++r.stale;
                    std::fprintf(stderr, "card %lld: generation %u on disk, %u acknowledged (from %u, %lld acks)\n",
                                 (long long)pos, id.gen, ackedHere, from, (long long)(acks.size() / 4));
                }
            }
        }
        f.close();
        gen = qMax(newest, acked);
    }
    return r;
}

KillReport killAppends(const QString &path, int rounds, std::mt19937 &rng)
{
    QFile::remove(path);
    KillReport r;
    quint32 seq = 0;
    for (int round = 0; round < rounds; ++round) {
        const quint32 from = seq;
        const QByteArray acks = runAndKill(rng, 4000, [&](int fd) {
            RecordFile f(path, kSize);
            for (quint32 s = from;; ++s) {
                f.open();
                const qint64 pos = f.append(makeRecord({1, s, 0}).constData());
                f.close();
                writeAll(fd, &pos, sizeof pos);
            }
        });
        ++r.rounds;
        const qint64 acked = lastAck<qint64>(acks, 0);
        r.interrupted += QFileInfo(path).size() % kSize != 0; // an uncounted tail
        RecordFile f(path, kSize);
        f.openForReading();
        r.stale += f.count() < acked;
        quint32 n = 0;
        f.scan([&](qint64, const char *rec) {
            Id id;
            r.torn += !whole(rec, id) || id.seq != n;
            ++n;
            return true;
        });
        seq = n;
    }
    return r;
}

// Whole-file writers: each version is "v<N> " repeated to a length that follows from N, so a
// file that is neither the old nor the new version, or a cut one, shows.
QByteArray version(quint32 v)
{
    QByteArray unit = "v" + QByteArray::number(v) + " ";
    QByteArray out;
    while (out.size() < 3000 + qsizetype(v % 7) * 1000)
        out += unit;
    return out;
}

KillReport killWholeFiles(const QString &folder, int rounds, std::mt19937 &rng, bool store)
{
    const QString path = QDir(folder).filePath(store ? PasswordStore::FileName : QStringLiteral("Prodotti.lst"));
    QFile::remove(path);
    KillReport r;
    quint32 v = 0;
    auto write = [&](quint32 n) {
        if (store)
            return PasswordStore::write(path, QString::fromLatin1(version(n)).left(40 + int(n % 50)));
        return PriceList::save(path, {QString::fromLatin1(version(n))});
    };
    auto readVersion = [&](quint32 &n) {
        if (store) {
            const auto p = PasswordStore::read(path);
            if (!p)
                return false;
            const QString text = *p;
            n = text.mid(1, text.indexOf(u' ') - 1).toUInt();
            return text == QString::fromLatin1(version(n)).left(40 + int(n % 50)).trimmed();
        }
        const auto items = PriceList::load(path);
        if (!items || items->size() != 1)
            return false;
        n = items->at(0).mid(1, items->at(0).indexOf(u' ') - 1).toUInt();
        return items->at(0) == QString::fromLatin1(version(n)).trimmed();
    };
    if (!write(0))
        return {1, 0, 0, 1, 0};
    for (int round = 0; round < rounds; ++round) {
        const quint32 from = v;
        const QByteArray acks = runAndKill(rng, 8000, [&](int fd) {
            for (quint32 n = from + 1;; ++n) {
                if (!write(n))
                    ::_exit(5);
                writeAll(fd, &n, sizeof n);
            }
        });
        ++r.rounds;
        const quint32 acked = lastAck<quint32>(acks, from);
        // Qt writes the new version into an unnamed file, so a kill mid-write leaves no trace to count.
        r.interrupted = -1;
        quint32 onDisk = 0;
        if (!readVersion(onDisk))
            ++r.torn;
        else if (onDisk < acked)
            ++r.stale;
        v = qMax(acked, onDisk);
    }
    return r;
}

int killTest(const QStringList &args)
{
    const int rounds = arg(args, "--rounds", 400);
    const int minInterrupted = arg(args, "--min-interrupted", 1);
    QTemporaryDir dir;
    std::mt19937 rng(unsigned(arg(args, "--seed", int(::getpid()))));
    bool ok = true;
    auto report = [&](const char *what, const KillReport &r, bool needInterrupted) {
        const bool good = r.torn == 0 && r.stale == 0 && (!needInterrupted || r.interrupted >= minInterrupted);
        ok = ok && good;
        const QByteArray mid = r.interrupted < 0 ? QByteArray("?") : QByteArray::number(r.interrupted);
        std::printf("kill %s: %d kills, %s interrupted mid-write, %d torn before recovery, %d torn after, %d lost "
                    "acknowledged: %s\n",
                    what, r.rounds, mid.constData(), r.tornBeforeRecovery, r.torn, r.stale, good ? "ok" : "FAILED");
    };
    report("overwrite", killOverwrites(dir.filePath(QStringLiteral("Clienti.pro")), rounds, rng), true);
    report("append", killAppends(dir.filePath(QStringLiteral("Registro.pro")), qMax(1, rounds / 5), rng), false);
    report("price list", killWholeFiles(dir.path(), qMax(1, rounds / 5), rng, false), false);
    report("store", killWholeFiles(dir.path(), qMax(1, rounds / 5), rng, true), false);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 2 && args[1] == QLatin1String("race"))
        return race(args);
    if (args.size() >= 2 && args[1] == QLatin1String("kill"))
        return killTest(args);
    std::fprintf(stderr, "usage: %s race|kill [options]\n", argv[0]);
    return 2;
}

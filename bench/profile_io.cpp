// Writes and reads the five live profiles and prints the time per profile
// write, per profile read, and the file size.
#include "defaults.h"
#include "paths.h"
#include "profilefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    setAppDirOverride(dir.path());
    MouseProfile p;
    makeDefaultProfile(p);
    const int rounds = 20;
    QElapsedTimer t;
    qint64 writeNs = 0, readNs = 0;
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < kProfileCount; ++i) {
            p.ProfileName = QStringLiteral("Profile %1").arg(i + 1);
            p.pollrate = uint8_t(r + i); // a real change every time
            t.start();
            saveProfileByName(p, p.ProfileName);
            writeNs += t.nsecsElapsed();
        }
        for (int i = 0; i < kProfileCount; ++i) {
            MouseProfile q;
            t.start();
            loadProfileByName(q, QStringLiteral("Profile %1").arg(i + 1));
            readNs += t.nsecsElapsed();
        }
    }
    const double n = rounds * kProfileCount;
    std::printf("profile write: %.2f ms per profile\n", writeNs / n / 1e6);
    std::printf("profile read:  %.2f ms per profile\n", readNs / n / 1e6);
    std::printf("file size:     %lld bytes (%d keys)\n",
                QFileInfo(profilePathForName("Profile 1")).size(), kProfileKeyCount);
    std::printf("targets: write < 20 ms, read < 10 ms\n");
    return 0;
}

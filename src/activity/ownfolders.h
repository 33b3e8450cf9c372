#pragma once
// Where the activities teachers make are found: the user's own folder
// (written to), the school's folders deployed by its IT (read-only in place),
// then one shared folder chosen in the program, such as a department's
// network drive. Tests give folders of their own.

#include "activity/ownkind.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace forms { class Screens; }

namespace activity {

enum class Origin { Yours, School, Shared };
// "Yours", "School", "Shared": where a file came from, as the list shows it.
QString originName(Origin origin);

struct ActivityPlaces {
    QString user;       // <AppDataLocation>/activities: new activities are saved here
    QStringList school; // <each XDG data dir>/tavrenel/activities
};

// The program's own places, from the desktop's standard folders.
ActivityPlaces standardPlaces();

// Whether `path` lies in one of the school's folders of `places` (and not in
// the user's own): such a file is played, never written in place, however
// its folder's permissions stand.
bool isSchoolFile(const QString& path, const ActivityPlaces& places = standardPlaces());

// The shared folder chosen in the program; empty when none is.
inline const QString SharedFolderKey = QStringLiteral("activities/sharedFolder");
QString sharedFolder(const forms::Screens& screens);
void chooseSharedFolder(forms::Screens& screens, const QString& folder);

struct ActivityFolder {
    QString path;
    Origin origin;
};

// The folders searched, in order: the user's, each school folder, the shared
// one. A folder named twice (the shared folder may be a school's) is searched
// once, where it comes first.
std::vector<ActivityFolder> activityFolders(const ActivityPlaces& places, const QString& shared);

struct FoundFile {
    QString path;
    Origin origin;
    bool readOnly;      // played, never edited in place nor deleted
    const OwnKind* kind;
    qint64 size;
    QDateTime modified;
};

// Every file of one of `kinds` in `folders`, in the folders' order and by
// name within each; a folder or device given such a name is found too, so
// that the list can say why it cannot be opened. Reads no file.
std::vector<FoundFile> findActivityFiles(std::span<const ActivityFolder> folders, std::span<const OwnKind* const> kinds);

// Why the activities of `folder` cannot be listed ("The shared folder
// /mnt/physics cannot be read: permission denied, so its activities are not
// listed"), or empty when they can. A school's folder or the user's that is
// not there is no problem: most machines have none, and the user's is made
// at the first save.
QString folderProblem(const ActivityFolder& folder);

// What an import does when `folder` already holds a file of the imported one's name.
enum class WhenTaken { Ask, Replace, KeepBoth };

struct Imported {
    enum class Outcome {
        Copied,     // `path` is the copy
        Refused,    // `problem` says why nothing was copied
        Same,       // `path`, of the same name, holds the same already: nothing copied
        NameTaken,  // asked: `path`, of the same name, holds something else; nothing copied
    };
    Outcome outcome = Outcome::Refused;
    QString path;
    QString title;   // the imported activity's
    QString problem;
};

// Copies the activity file at `path`, read whole and found sound by its kind,
// into `folder`: under its own name, or when that is taken as `whenTaken`
// says: over the file there, or beside it under a name not yet taken
// ("motor (2).tavlabel").
Imported importActivity(const QString& path, std::span<const OwnKind* const> kinds, const QString& folder,
                        WhenTaken whenTaken = WhenTaken::Ask);

} // namespace activity

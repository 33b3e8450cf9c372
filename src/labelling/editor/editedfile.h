#pragma once
// The file an activity is edited in: where it is saved, whether it may be
// changed in place, and what it held when it was opened, so that a change
// someone else made to it meanwhile is never overwritten unasked.

#include "labelling/ownfile.h"

namespace labelling {

class EditedFile {
public:
    // `path` empty: a new activity. `folder`: where a new one, or a copy of
    // one that cannot be changed in place, is saved.
    EditedFile(QString path, QString folder);

    const QString& path() const { return path_; }
    const QString& folder() const { return folder_; }
    bool isNew() const { return path_.isEmpty(); }
    // In a folder the user cannot write, or marked read-only: never changed
    // in place, only saved as a copy.
    bool readOnly() const;

    // Reads the activity and remembers what the file held.
    OwnRead open();
    // Whether the file holds something else than when it was opened or last saved.
    bool changedOnDisk() const;
    // Writes the file in place (a new activity: into the folder, named after
    // its title). Returns why it could not, or empty.
    QString save(const OwnActivity& activity);
    // Writes a new file in the folder, named after the title and never over
    // another file; from then on that copy is the file edited.
    QString saveCopy(const OwnActivity& activity);

private:
    QString write(const QString& path, const OwnActivity& activity);

    QString path_;
    QString folder_;
    QByteArray openedHash_; // of the bytes read or last written
};

// A file name for an activity titled `title` in `folder` that no file has yet.
QString freshFileName(const QString& folder, const QString& title);

} // namespace labelling

#include "pictures.h"

namespace pictures {

namespace {
// Filled before main() by each source's Subject; read only after.
std::vector<PictureList>& lists()
{
    static std::vector<PictureList> all;
    return all;
}
} // namespace

Subject::Subject(PictureList list) { lists().push_back(list); }

std::map<QString, std::function<QImage(int resolution)>> drawers()
{
    std::map<QString, std::function<QImage(int resolution)>> all;
    for (const PictureList list : lists())
        for (PictureFile& file : list())
            all.emplace(file.path, std::move(file.draw));
    return all;
}

} // namespace pictures

#pragma once

class QMimeData;

namespace gs {

// The data of a drag that carries the selected board field to the side panel. It names this
// process, so that only drags started on this program's board image are accepted.
class FieldDrag
{
public:
    static QMimeData *createMimeData();
    static bool VerifyDragging(const QMimeData *data);
};

} // namespace gs

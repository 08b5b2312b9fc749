#include "ui/qt/QtPlatform.h"

namespace qx {

QtPlatform::QtPlatform()
    : pinger_(scheduler_), desktop_(scheduler_), platform_{scheduler_, clock_, serial_, tcp_,
                                                           messages_,  sound_, pinger_, desktop_,
                                                           folders_,   files_} {}

}  // namespace qx

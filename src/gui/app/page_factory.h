// The eight pages of the page host, built from their classes.
#pragma once

#include <QWidget>

#include <memory>

#include "gui/app/page_services.h"

namespace brelvo::gui {

std::unique_ptr<QWidget> CreatePage(PageId id, PageServices& services, QWidget* parent);

}  // namespace brelvo::gui

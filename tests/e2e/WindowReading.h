#pragma once

// What the end-to-end tests read off the window and the folders.
#include <gtest/gtest.h>
#include <algorithm>
#include <QListView>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace torva::ui::e2e {

using Names = std::vector<std::string>;

template <typename W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// What a list shows, in order.
inline Names entries(QWidget* form, const char* list) {
    Names out;
    auto* view = child<QListView>(form, list);
    const QAbstractItemModel* model = view ? view->model() : nullptr;
    for (int i = 0; model && i < model->rowCount(); ++i) {
        out.push_back(model->index(i, 0).data().toString().toStdString());
    }
    return out;
}

// The plain files of a folder, sorted.
inline Names fileNames(const std::string& dir) {
    std::error_code ec;
    Names out;
    for (const auto& e : listDirectory(dir, ec)) {
        if (!e.isDirectory) {
            out.push_back(e.name);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace torva::ui::e2e

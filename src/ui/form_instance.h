#pragma once

#include "ui/form.h"

namespace ui {

// The single instance of a window class: created and loaded on first use, forgotten the moment it unloads.
template <class T> class FormInstance
{
public:
    static T* get()
    {
        if (!slot()) {
            T* form = new T;
            slot() = form;
            QObject::connect(form, &Form::unloaded, form, [form] {
                if (slot() == form)
                    slot() = nullptr;
            });
            form->runLoad();
        }
        return slot();
    }

    static T* existing() { return slot(); }

private:
    static T*& slot()
    {
        static T* instance = nullptr;
        return instance;
    }
};

} // namespace ui

// Every control of the window toolkit.
#pragma once

#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/canvas.h"
#include "toolkit/combo_box.h"
#include "toolkit/control.h"
#include "toolkit/edit.h"
#include "toolkit/file_dialog.h"
#include "toolkit/form.h"
#include "toolkit/group_box.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/picture.h"
#include "toolkit/progress_bar.h"
#include "toolkit/tab_control.h"
#include "toolkit/tab_order.h"

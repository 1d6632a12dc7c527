// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a column operation's draw asks for an exchange between the rods.
enum class Cambio { Senza, Con };

#pragma once

// The kinds of record of an area: its header and the four lists with vnums.
enum class RecordKind { Header,
    Room,
    Object,
    Mob,
    Mobprog };

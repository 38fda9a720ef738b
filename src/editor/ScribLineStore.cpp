#include "editor/ScribLineStore.h"

#include "editor/ScribBlockStoreImpl.h"

template class TScribBlockStore<TScribLineExtra, 2, true>;
